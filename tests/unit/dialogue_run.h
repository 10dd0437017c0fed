#pragma once

// A run of the dialogue, as the tests look at it: the whole dialogue on a
// given console input and what it prints; what it records, as points that
// compare as pairs and counts of a colour; and the README's example's answers.

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "dialogue.h"

// A point's coordinates, which gtest compares and prints.
inline std::pair<float, float> xy(const Point& p) { return {p.x, p.y}; }

// How many of the scene's points or segments have this colour.
template <class Shapes>
long countIn(const Shapes& shapes, int color) {
  return std::count_if(shapes.begin(), shapes.end(), [&](const auto& s) {
    return s.color == color;
  });
}

// A temporary file holding `text`, read from its start.
inline std::FILE* fileWith(const std::string& text) {
  std::FILE* file = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  return file;
}

// What `print` writes to the console it is given.
template <class Print>
std::string printedBy(Print print) {
  std::FILE* out = std::tmpfile();
  print(out);
  std::string text(static_cast<size_t>(std::ftell(out)), '\0');
  std::rewind(out);
  text.resize(std::fread(text.data(), 1, text.size(), out));
  std::fclose(out);
  return text;
}

// Runs both phases on a fresh scene with `input` as the answers: everything
// printed, complaints in their place; "cut short " first if the input ends early.
inline std::string converse(const std::string& input) {
  scene = Scene();
  std::FILE* in = fileWith(input);
  bool complete = false;
  const std::string printed = printedBy([&](std::FILE* out) {
    Exercise exercise;
    complete = runDialogue(exercise, Console{in, out, out});
  });
  std::fclose(in);
  return (complete ? "" : "cut short ") + printed;
}

const std::string kExample = "2\n0 0\n1 2\n2 0\n1\n0\n";
