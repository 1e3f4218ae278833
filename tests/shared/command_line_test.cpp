#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "text/command_line.h"
#include "text/export_options.h"

namespace tastrix {
namespace {

using Args = std::vector<std::string>;
using Action = CommandLineRequest::Action;

TEST(SplitCommandLine, FollowsTheMicrosoftCRules) {
  struct Case {
    const char* line;
    Args expected;
  };
  const Case cases[] = {
      // The examples of the C runtime's documentation.
      {R"(p "a b c" d e)", {"p", "a b c", "d", "e"}},
      {R"(p "ab\"c" "\\" d)", {"p", "ab\"c", "\\", "d"}},
      {R"(p a\\\b d"e f"g h)", {"p", "a\\\\\\b", "de fg", "h"}},
      {R"(p a\\\"b c d)", {"p", "a\\\"b", "c", "d"}},
      {R"(p a\\\\"b c" d e)", {"p", "a\\\\b c", "d", "e"}},
      // Paths as a user or a script writes them.
      {R"("C:\Program Files\tastrix.exe" /export "C:\my maps\a.zv" out.png)",
       {"C:\\Program Files\\tastrix.exe", "/export", "C:\\my maps\\a.zv", "out.png"}},
      {R"(p "C:\out dir\\")", {"p", "C:\\out dir\\"}},
      {R"(p "C:\out dir\" next)", {"p", "C:\\out dir\" next"}},
      {"p \"\" \t x  ", {"p", "", "x"}},
      {R"(p "a""b" c)", {"p", "a\"b", "c"}},
      {R"(p "a""b c" d)", {"p", "a\"b c", "d"}},
      {R"("C:\odd"dir\p.exe x)", {"C:\\odddir\\p.exe", "x"}},
      {"p", {"p"}},
      {"", {""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.expected) << c.line;
}

// The arguments that look like no switch name the map to open.
TEST(ReadCommandLine, ArgumentsWithoutOurSwitchesOpenTheWindow) {
  const std::pair<Args, Args> cases[] = {
      {{}, {}}, {{"C:\\maps\\a.zv"}, {"C:\\maps\\a.zv"}}, {{"/x", "-y"}, {}}, {{"/exports", "a", "", "b"}, {"a", "b"}}};
  for (const auto& [args, maps] : cases) {
    EXPECT_EQ(ReadCommandLine(args).action, Action::OpenWindow) << ::testing::PrintToString(args);
    EXPECT_EQ(ReadCommandLine(args).maps, maps) << ::testing::PrintToString(args);
  }
}

TEST(ReadCommandLine, TheUsageWhereverItIsAskedFor) {
  for (const Args& args : {Args{"/?"}, Args{"-?"}, Args{"--help"}, Args{"/HELP"}, Args{"/export", "a.zv", "/?"},
                           Args{"/scale", "99", "-?"}})
    EXPECT_EQ(ReadCommandLine(args).action, Action::ShowUsage) << ::testing::PrintToString(args);
}

TEST(ReadCommandLine, AnExportWithItsFilesAndScale) {
  struct Case {
    Args args;
    std::string map, picture;
    int scale;
  };
  const Case cases[] = {
      {{"/export", "a.zv", "b.bmp"}, "a.zv", "b.bmp", 1},
      {{"-export", "C:\\m\\a.zv", "b.png", "-scale", "4"}, "C:\\m\\a.zv", "b.png", 4},
      {{"--Export", "a.zv", "b.png", "--SCALE", "8"}, "a.zv", "b.png", 8},
      {{"/scale", "2", "/export", "a.zv", "b.png"}, "a.zv", "b.png", 2},
      {{"/export", "-a.zv", "/b.png", "/scale", "01"}, "-a.zv", "/b.png", 1},
  };
  for (const Case& c : cases) {
    const CommandLineRequest request = ReadCommandLine(c.args);
    EXPECT_EQ(request.action, Action::Export) << request.problem;
    EXPECT_EQ(request.picture.mapPath, c.map);
    EXPECT_EQ(request.picture.picturePath, c.picture);
    EXPECT_EQ(request.picture.scale, c.scale);
  }
}

TEST(ReadCommandLine, APrintWithItsMapAndPrinter) {
  const struct {
    Args args;
    std::string map, printer;
  } cases[] = {
      {{"/print", "a.zv"}, "a.zv", ""},
      {{"--PRINTER", "Office PDF", "-print", "C:\\m\\a.zv"}, "C:\\m\\a.zv", "Office PDF"},
  };
  for (const auto& c : cases) {
    const CommandLineRequest request = ReadCommandLine(c.args);
    EXPECT_EQ(request.action, Action::Print) << request.problem;
    EXPECT_EQ(request.print.mapPath, c.map);
    EXPECT_EQ(request.print.printer, c.printer);
  }
}
TEST(PictureFormatOf, TheExtensionInAnyCaseElseABitmap) {
  const struct {
    const char* path;
    PictureFormat format;
  } cases[] = {{"a.png", PictureFormat::Png}, {"C:\\x.y\\A.EMF", PictureFormat::Emf}, {"a.Svg", PictureFormat::Svg},
               {"a.bmp", PictureFormat::Bitmap}, {"a.svg.txt", PictureFormat::Bitmap}, {"svg", PictureFormat::Bitmap},
               {"a.emf\\b", PictureFormat::Bitmap}};
  for (const auto& c : cases) EXPECT_EQ(PictureFormatOf(c.path), c.format) << c.path;
}
TEST(ReadCommandLine, BadArgumentsSayWhatIsWrong) {
  struct Case {
    Args args;
    std::string problem;
  };
  const Case cases[] = {
      {{"/export"}, "/export needs a map file and a picture file"},
      {{"/export", "a.zv"}, "/export needs a map file and a picture file"},
      {{"/export", "a.zv", "/scale", "2"}, "/export needs a map file and a picture file"},
      {{"/export", "", "b.bmp"}, "/export needs a map file and a picture file"},
      {{"/export", "a.zv", "b.bmp", "/scale"}, "/scale needs a whole number from 1 to 8"},
      {{"/export", "a.zv", "b.bmp", "/scale", "0"}, "/scale needs a whole number from 1 to 8, not \"0\""},
      {{"/export", "a.zv", "b.bmp", "/scale", "9"}, "/scale needs a whole number from 1 to 8, not \"9\""},
      {{"/export", "a.zv", "b.bmp", "/scale", "-2"}, "/scale needs a whole number from 1 to 8, not \"-2\""},
      {{"/export", "a.zv", "b.bmp", "/scale", "2.5"}, "/scale needs a whole number from 1 to 8, not \"2.5\""},
      {{"/export", "a.zv", "b.bmp", "/scale", "1000000000000"},
       "/scale needs a whole number from 1 to 8, not \"1000000000000\""},
      {{"/export", "a.zv", "b.bmp", "/scale", "2", "/scale", "3"}, "/scale is given twice"},
      {{"/export", "a.zv", "b.bmp", "-export", "c.zv", "d.bmp"}, "/export is given twice"},
      {{"/export", "a.zv", "b.bmp", "c.bmp"}, "unexpected argument \"c.bmp\""},
      {{"/export", "a.zv", "b.bmp", "/sclae", "2"}, "unknown switch \"/sclae\""},
      {{"/scale", "2"}, "/scale needs /export MAP.zv OUT.bmp"},
      {{"/export", "a.zv", "b.EMF", "/scale", "1"},
       "/scale does not apply to a vector picture (.emf, .svg): it has no pixels to scale"},
      {{"/scale", "2", "/export", "a.zv", "b.svg"},
       "/scale does not apply to a vector picture (.emf, .svg): it has no pixels to scale"},
      {{"/print"}, "/print needs a map file"},
      {{"/print", "a.zv", "/printer"}, "/printer needs the name of a printer"},
      {{"/print", "a.zv", "/printer", ""}, "/printer needs the name of a printer"},
      {{"/printer", "PDF"}, "/printer needs /print MAP.zv"},
      {{"/print", "a.zv", "/export", "a.zv", "b.bmp"}, "/print and /export cannot be given together"},
      {{"/print", "a.zv", "/scale", "2"}, "/scale is for /export, not for /print"},
      {{"/print", "a.zv", "b.zv"}, "unexpected argument \"b.zv\""},
  };
  for (const Case& c : cases) {
    const CommandLineRequest request = ReadCommandLine(c.args);
    EXPECT_EQ(request.action, Action::BadArguments) << ::testing::PrintToString(c.args);
    EXPECT_EQ(request.problem, c.problem) << ::testing::PrintToString(c.args);
  }
}

}  // namespace
}  // namespace tastrix
