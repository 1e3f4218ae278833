#include "product/questions.h"

namespace tastrix {

std::string OverwriteQuestion(const char* what, const std::string& path) {
  return std::string("Overwrite Existing Keyboard ") + what + " : \r\n\r\n" + path + "\r\n\r\nAre you sure ?";
}

}  // namespace tastrix
