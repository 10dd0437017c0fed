#pragma once

#include <cstdio>
#include <string>

// A temporary file holding `text`, positioned at its start: console input.
inline std::FILE* fileWith(const std::string& text) {
  std::FILE* file = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  return file;
}

// Everything written to `file` so far; closes it.
inline std::string contents(std::FILE* file) {
  std::fflush(file);
  std::string text(static_cast<size_t>(std::ftell(file)), '\0');
  std::rewind(file);
  text.resize(std::fread(&text[0], 1, text.size(), file));
  std::fclose(file);
  return text;
}
