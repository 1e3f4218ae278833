#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/key_navigation.h"
#include "support/form_fixture.h"
#include "support/printers.h"
#include "win/accessible_client.h"
#include "win/key_input.h"

namespace tastrix::testing {
namespace {

constexpr long kTitlePart = 1, kQPart = 28;  // parts are label positions + 1

std::string nameOf(IAccessible* object, long id) { return textOf(object, &IAccessible::get_accName, id); }
std::string valueOf(IAccessible* object, long id) { return textOf(object, &IAccessible::get_accValue, id); }
std::string descriptionOf(IAccessible* object, long id) { return textOf(object, &IAccessible::get_accDescription, id); }
std::string defaultActionOf(IAccessible* object, long id) {
  return textOf(object, &IAccessible::get_accDefaultAction, id);
}
long numberOf(HRESULT hr, const VARIANT& v) { return hr == S_OK && V_VT(&v) == VT_I4 ? V_I4(&v) : -1; }
long roleOf(IAccessible* object, long id) {
  VARIANT v;
  const HRESULT hr = object->get_accRole(part(id), &v);
  return numberOf(hr, v);
}
long stateOf(IAccessible* object, long id) {
  VARIANT v;
  const HRESULT hr = object->get_accState(part(id), &v);
  return numberOf(hr, v);
}
std::string roleText(long role) {
  char text[64] = "";
  GetRoleTextA(static_cast<DWORD>(role), text, sizeof text);
  return text;
}
// What a screen reader says of a part: name, role, value.
std::string spoken(IAccessible* object, long id) {
  return nameOf(object, id) + ", " + roleText(roleOf(object, id)) + ", " + valueOf(object, id);
}

// The focus and value-change events of one window, with what a screen reader
// reads from each at the time it arrives.
class EventListener {
 public:
  struct Event {
    DWORD what;
    long part;
    std::string said;
  };
  explicit EventListener(HWND window) : window_(window) {
    listening() = this;
    hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &EventListener::arrived,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  }
  ~EventListener() {
    if (hook_) UnhookWinEvent(hook_);
    listening() = nullptr;
  }
  EventListener(const EventListener&) = delete;
  EventListener& operator=(const EventListener&) = delete;

  bool hooked() const { return hook_ != nullptr; }
  std::vector<Event> events;
  std::vector<long> partsOf(DWORD what) const {
    std::vector<long> parts;
    for (const Event& e : events)
      if (e.what == what) parts.push_back(e.part);
    return parts;
  }

 private:
  static EventListener*& listening() {
    static EventListener* listener = nullptr;
    return listener;
  }
  static void CALLBACK arrived(HWINEVENTHOOK, DWORD what, HWND window, LONG object, LONG child, DWORD, DWORD) {
    EventListener* self = listening();
    if (!self || window != self->window_ || object != OBJID_CLIENT) return;
    if (what != EVENT_OBJECT_FOCUS && what != EVENT_OBJECT_VALUECHANGE) return;
    ComRef<IAccessible> source;
    VARIANT id;
    VariantInit(&id);
    std::string said;
    if (AccessibleObjectFromEvent(window, object, child, source.put(), &id) == S_OK && V_VT(&id) == VT_I4)
      said = spoken(source.get(), V_I4(&id));
    self->events.push_back(Event{what, child, said});
  }

  HWND window_;
  HWINEVENTHOOK hook_ = nullptr;
};

class ScreenReader : public FormTest {
 protected:
  RECT onScreen(int stop) {
    return testing::onScreen(hwnd(), stopRect(layout(), stop), mainWindow().scrollPosition());
  }
};

TEST_F(ScreenReader, TheClientHoldsTheTitleAndThe101KeysAsButtons) {
  startForm();
  for (int stop = 0; stop < kStopCount; ++stop) setLabel(stop, "label " + std::to_string(stop));
  setLabel(27, "&Quit");
  ComRef<IAccessible> client;
  ASSERT_EQ(clientObject(hwnd(), client), S_OK);

  long count = 0;
  ASSERT_EQ(client->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 102);
  std::vector<VARIANT> children(102);
  LONG got = 0;
  ASSERT_EQ(AccessibleChildren(client.get(), 0, 102, children.data(), &got), S_OK);
  ASSERT_EQ(got, 102);
  for (LONG i = 0; i < got; ++i) EXPECT_EQ(numberOf(S_OK, children[i]), i + 1);
  EXPECT_EQ(roleOf(client.get(), CHILDID_SELF), ROLE_SYSTEM_CLIENT);
  EXPECT_EQ(nameOf(client.get(), CHILDID_SELF), mainWindow().caption());

  const char* const groups[] = {"Function Keys :", "Main Keyboard Area :", "Cursor Control :", "Numeric Keypad :"};
  for (int stop = 0; stop < kStopCount; ++stop) {
    const long id = stop + 1;
    const std::string key = "part " + std::to_string(id);
    EXPECT_EQ(roleOf(client.get(), id), ROLE_SYSTEM_PUSHBUTTON) << key;
    EXPECT_EQ(defaultActionOf(client.get(), id), "Edit label") << key;
    if (stop == 0) {
      EXPECT_EQ(nameOf(client.get(), id), "Keyboard map title");
      EXPECT_EQ(descriptionOf(client.get(), id), "<none>");
    } else {
      EXPECT_EQ(nameOf(client.get(), id), keyAt(stop).legend) << key;
      EXPECT_EQ(descriptionOf(client.get(), id), groups[keyAt(stop).group - 1]) << key;
    }
    if (stop != 27) {
      EXPECT_EQ(valueOf(client.get(), id), "label " + std::to_string(stop)) << key;
    }
    const RECT at = locationOf(client.get(), id), expected = onScreen(stop);
    EXPECT_TRUE(EqualRect(&at, &expected)) << key;
    const bool outside = stopRect(layout(), stop).left >= mainWindow().clientWidth();
    EXPECT_EQ(stateOf(client.get(), id), STATE_SYSTEM_FOCUSABLE | (outside ? STATE_SYSTEM_OFFSCREEN : 0)) << key;
  }
  EXPECT_EQ(nameOf(client.get(), kQPart), "Q");
  EXPECT_EQ(valueOf(client.get(), kQPart), "Quit");  // as the picture shows "&Quit"
  EXPECT_EQ(nameOf(client.get(), 82), "/\\");
  EXPECT_EQ(descriptionOf(client.get(), kQPart), "Main Keyboard Area :");

  // Scrolled to the right end, the first keys are out of view and the keypad in it.
  mainWindow().setScrollPosition(layout().scrollRange());
  const RECT q = locationOf(client.get(), kQPart), expected = onScreen(27);
  EXPECT_TRUE(EqualRect(&q, &expected));
  EXPECT_EQ(stateOf(client.get(), 2), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_OFFSCREEN);
  EXPECT_EQ(stateOf(client.get(), 102), STATE_SYSTEM_FOCUSABLE);
}

// A screen reader finds a key by its place, moves among the keys by their
// places, and gives a key the focus.
TEST_F(ScreenReader, HitTestsNavigationAndFocusFollowThePicture) {
  startForm();
  ASSERT_TRUE(takeFocus(hwnd()));
  ComRef<IAccessible> client;
  ASSERT_EQ(clientObject(hwnd(), client), S_OK);
  const RECT q = onScreen(27);
  VARIANT hit;
  ASSERT_EQ(client->accHitTest((q.left + q.right) / 2, (q.top + q.bottom) / 2, &hit), S_OK);
  EXPECT_EQ(numberOf(S_OK, hit), kQPart);

  const struct {
    long direction, expected;
  } moves[] = {{NAVDIR_LEFT, 29}, {NAVDIR_RIGHT, 27}, {NAVDIR_UP, 3}, {NAVDIR_DOWN, 31}, {NAVDIR_NEXT, 29},
               {NAVDIR_PREVIOUS, 27}};
  for (const auto& move : moves) {
    VARIANT to;
    EXPECT_EQ(numberOf(client->accNavigate(move.direction, part(kQPart), &to), to), move.expected) << move.direction;
  }
  VARIANT none;
  EXPECT_EQ(client->accNavigate(NAVDIR_LEFT, part(2), &none), S_FALSE);  // "` ~" is at the left edge

  VARIANT focus;
  ASSERT_EQ(client->get_accFocus(&focus), S_OK);
  EXPECT_EQ(numberOf(S_OK, focus), CHILDID_SELF) << "no key has the focus yet";
  ASSERT_EQ(client->accSelect(SELFLAG_TAKEFOCUS, part(kQPart)), S_OK);
  EXPECT_EQ(mainWindow().keys().focusedStop(), 27);
  ASSERT_EQ(client->get_accFocus(&focus), S_OK);
  EXPECT_EQ(numberOf(S_OK, focus), kQPart);
  EXPECT_EQ(stateOf(client.get(), kQPart), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);

  SetFocus(nullptr);
  EXPECT_EQ(client->get_accFocus(&focus), S_FALSE);
  EXPECT_EQ(stateOf(client.get(), kQPart), STATE_SYSTEM_FOCUSABLE);
}

// Like a click on the label, after the call has returned: a reader in another
// process must not wait for the box.
TEST_F(ScreenReader, TheDefaultActionOpensTheLabelBoxOnceTheCallHasReturned) {
  startForm();
  ComRef<IAccessible> client;
  ASSERT_EQ(clientObject(hwnd(), client), S_OK);
  dialogs.answerInput(true, "Quit");
  ASSERT_EQ(client->accDoDefaultAction(part(kQPart)), S_OK);
  EXPECT_TRUE(dialogs.calls.empty());
  pump();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].initial, "Key Label");
  EXPECT_EQ(label(27), "Quit");
  EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);
  EXPECT_EQ(mainWindow().keys().focusedStop(), 27);
  EXPECT_EQ(valueOf(client.get(), kQPart), "Quit");
  EXPECT_EQ(client->accDoDefaultAction(part(CHILDID_SELF)), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(client->accDoDefaultAction(part(103)), E_INVALIDARG);
}

// A box's own message loop hands the window every request that arrives while
// it is open. None of them opens a box inside it: each one would, until a
// thousand nested boxes overflow the stack and the unsaved map is lost.
TEST_F(ScreenReader, WhileALabelBoxIsOpenNoRequestOpensAnother) {
  startForm();
  ComRef<IAccessible> client;
  ASSERT_EQ(clientObject(hwnd(), client), S_OK);
  long stateWhileOpen = 0;
  HRESULT actionWhileOpen = S_OK;
  dialogs.answerInput(false, "", [&] {
    stateWhileOpen = stateOf(client.get(), kQPart);
    actionWhileOpen = client->accDoDefaultAction(part(kQPart));
    const LPARAM f2 = 1 | (0x3C << 16);
    const POINT q = centreOf(layout().keyLabel(27));
    for (int i = 0; i < 1000; ++i) {
      PostMessageA(hwnd(), WM_KEYDOWN, VK_F2, f2);
      PostMessageA(hwnd(), WM_KEYUP, VK_F2, f2 | static_cast<LPARAM>(0xC0000000u));
      PostMessageA(hwnd(), PictureKeys::kEditStopMessage, 27, 0);
      PostMessageA(hwnd(), WM_COMMAND, ID_About, 0);
      PostMessageA(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(q.x, q.y));
      PostMessageA(hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(q.x, q.y));
    }
    PostMessageA(hwnd(), WM_CLOSE, 0, 0);
    pump();  // as the box's message loop would
  });
  ASSERT_EQ(client->accDoDefaultAction(part(kQPart)), S_OK);
  pump();
  EXPECT_EQ(dialogs.calls.size(), 1u) << "boxes opened inside the label box";
  EXPECT_EQ(stateWhileOpen & STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_UNAVAILABLE);
  EXPECT_EQ(actionWhileOpen, E_FAIL);
  EXPECT_FALSE(mainWindow().keys().picking());
  EXPECT_TRUE(IsWindow(hwnd())) << "the close request was acted on behind the box";

  // Once the box is answered, the keys are there again.
  EXPECT_EQ(stateOf(client.get(), kQPart) & STATE_SYSTEM_UNAVAILABLE, 0);
  dialogs.answerInput(false);
  ASSERT_EQ(client->accDoDefaultAction(part(kQPart)), S_OK);
  pump();
  EXPECT_EQ(dialogs.calls.size(), 2u);
}

// The way to labelling Q as a screen reader hears it: F2, then Q, then the
// label typed into the box; and every label the commands change.
TEST_F(ScreenReader, FocusAndValueChangesAreAnnounced) {
  startForm();
  EventListener listener(hwnd());
  ASSERT_TRUE(listener.hooked());
  ASSERT_TRUE(takeFocus(hwnd()));
  pump();
  listener.events.clear();

  typeKeys({kF2});
  ASSERT_TRUE(runProgramLoopUntil(mainWindow(), [this] { return mainWindow().keys().picking(); }));
  dialogs.answerInput(true, "Quit");
  typeKeys({{'Q', 0x10, false}});
  ASSERT_TRUE(runProgramLoopUntil(mainWindow(), [&] { return listener.partsOf(EVENT_OBJECT_VALUECHANGE).size() == 1; }));
  ASSERT_EQ(listener.events.size(), 2u);
  EXPECT_EQ(listener.events[0].what, static_cast<DWORD>(EVENT_OBJECT_FOCUS));
  EXPECT_EQ(listener.events[0].part, kQPart);
  EXPECT_EQ(listener.events[0].said, "Q, push button, Key Label");
  EXPECT_EQ(listener.events[1].what, static_cast<DWORD>(EVENT_OBJECT_VALUECHANGE));
  EXPECT_EQ(listener.events[1].part, kQPart);
  EXPECT_EQ(listener.events[1].said, "Q, push button, Quit");

  // Focus moves by the keyboard are announced once each.
  listener.events.clear();
  sendKey(hwnd(), kTab);                  // to TAB
  sendKey(hwnd(), kRight, {VK_CONTROL});  // back to Q
  sendKey(hwnd(), kLeft, {VK_CONTROL});
  sendKey(hwnd(), kLeft, {VK_CONTROL});   // TAB is at the left edge: no move, no event
  sendKey(hwnd(), kRight, {VK_CONTROL});
  pump();
  EXPECT_EQ(listener.partsOf(EVENT_OBJECT_FOCUS), (std::vector<long>{29, kQPart, 29, kQPart}));
  EXPECT_EQ(listener.events.back().said, "Q, push button, Quit");

  // Erasing the main keyboard changes its 61 labels; setting all keys changes
  // all 101, and loading labels those that differ.
  listener.events.clear();
  dialogs.answerMessage(Answer::Yes);
  command(ID_Erase_Main_Keyboard);
  std::vector<long> mainKeys;
  for (long id = 2; id <= 62; ++id) mainKeys.push_back(id);
  EXPECT_EQ(listener.partsOf(EVENT_OBJECT_VALUECHANGE), mainKeys);

  listener.events.clear();
  dialogs.answerInput(true, "same");
  dialogs.answerMessage(Answer::Yes);
  command(ID_Set_All);
  EXPECT_EQ(listener.partsOf(EVENT_OBJECT_VALUECHANGE).size(), 101u);

  listener.events.clear();
  std::string lines = "Editor\r\n";
  for (int p = 1; p <= kKeyCount; ++p) lines += p == 27 ? "Quit\r\n" : "same\r\n";
  writeFile(inScratch("labels.zvl"), lines);
  dialogs.answerFile(true, inScratch("labels.zv"));
  command(ID_Load_Key_Labels);
  EXPECT_EQ(listener.partsOf(EVENT_OBJECT_VALUECHANGE), (std::vector<long>{kTitlePart, kQPart}));

  // Undo and redo are heard as the commands they take back and make again.
  listener.events.clear();
  command(ID_Undo);
  EXPECT_EQ(listener.partsOf(EVENT_OBJECT_VALUECHANGE), (std::vector<long>{kTitlePart, kQPart}));
  listener.events.clear();
  command(ID_Undo);
  EXPECT_EQ(listener.partsOf(EVENT_OBJECT_VALUECHANGE).size(), 101u);
  listener.events.clear();
  command(ID_Redo);
  EXPECT_EQ(listener.partsOf(EVENT_OBJECT_VALUECHANGE).size(), 101u);
  EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(ScreenReader, AnObjectHeldAfterTheWindowIsGoneIsCutOff) {
  startForm();
  ComRef<IAccessible> client;
  ASSERT_EQ(clientObject(hwnd(), client), S_OK);
  ASSERT_EQ(nameOf(client.get(), kQPart), "Q");
  dropForm();
  long count = 0;
  BSTR name = nullptr;
  VARIANT role, focus;
  long x, y, w, h;
  EXPECT_EQ(client->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(client->get_accName(part(kQPart), &name), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(name, nullptr);
  EXPECT_EQ(client->get_accRole(part(kQPart), &role), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(client->get_accFocus(&focus), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(client->accLocation(&x, &y, &w, &h, part(kQPart)), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(client->accDoDefaultAction(part(kQPart)), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(client->accHitTest(0, 0, &focus), CO_E_OBJNOTCONNECTED);
}

}  // namespace
}  // namespace tastrix::testing
