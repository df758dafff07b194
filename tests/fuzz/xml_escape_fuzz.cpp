// Fuzzes both directions of the escape form: no input may crash or misbehave, and decoding what
// was encoded gives the text back whenever the text itself holds no opening mark.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/xml_escape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string decoded = tavrel::CvtForXmlParser(text, tavrel::kCvtDecode);
  if (decoded.size() > text.size()) std::abort();  // decoding never grows a text
  const std::string encoded = tavrel::CvtForXmlParser(text, tavrel::kCvtEncode);
  if (text.find("{[~") == std::string::npos &&
      tavrel::CvtForXmlParser(encoded, tavrel::kCvtDecode) != text) {
    std::abort();
  }
  return 0;
}
