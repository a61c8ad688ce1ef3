#pragma once

// Requests to the browser through chromium_bridge.py, from a test program under node.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

extern "C" char* drobi_bridge_call(const char* request);

namespace drobi::web::testing {

// A text as a JSON string.
inline std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + '"';
}

// The answer to one request (a JSON object); a request the bridge could not carry out throws.
inline std::string Ask(const std::string& request) {
  const std::unique_ptr<char, decltype(&std::free)> answer(drobi_bridge_call(request.c_str()),
                                                           &std::free);
  const std::string text(answer.get());
  if (text.starts_with('!')) throw std::runtime_error("the browser: " + text.substr(1));
  return text.substr(1);
}

// What a script run in the page returns, as text.
inline std::string Script(const std::string& code) {
  return Ask(R"({"op": "js", "code": )" + Quoted(code) + "}");
}

}  // namespace drobi::web::testing
