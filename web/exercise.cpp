#include "exercise.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The shortest text that reads back as the same float: "0.1", not "0.100000001".
std::string shortest(float v) {
  char text[32];
  for (int digits = 1;; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(v));
    if (std::strtof(text, nullptr) == v) {
      break;
    }
  }
  std::string s = text;
  // A whole number as a whole number: "100", not "1e+02".
  char whole[32];
  std::snprintf(whole, sizeof whole, "%.0f", static_cast<double>(v));
  if (s.find("e+") != std::string::npos && std::strlen(whole) <= 9) {
    return whole;
  }
  // A link separates answers with "+"; an exponent needs none.
  const size_t plus = s.find("e+");
  if (plus != std::string::npos) {
    s.erase(plus + 1, 1);
  }
  return s;
}

}  // namespace

std::string answersOf(const Exercise& exercise) {
  std::string answers = std::to_string(exercise.n);
  for (int i = 0; i <= exercise.n; ++i) {
    answers += "+" + shortest(exercise.control[i].x) + "+" + shortest(exercise.control[i].y);
  }
  return answers + "+" + std::to_string(exercise.r1) + "+" + std::to_string(exercise.r2);
}

Added insertPoint(Exercise& exercise, int i, Point p) {
  const int n = exercise.n + 1;
  if (n + exercise.r1 > kMaxDegree) {
    return Added::kFirstAmount;
  }
  if (n + exercise.r2 > kMaxDegree) {
    return Added::kSecondAmount;
  }
  if (n > kMaxDegree) {
    return Added::kDegree;
  }
  Point* const control = exercise.control;
  std::copy_backward(control + i, control + n, control + n + 1);
  control[i] = p;
  exercise.n = n;
  return Added::kAdded;
}

bool removePoint(Exercise& exercise, int i) {
  if (exercise.n == 0) {
    return false;
  }
  Point* const control = exercise.control;
  std::copy(control + i + 1, control + exercise.n + 1, control + i);
  control[exercise.n] = Point();
  --exercise.n;
  return true;
}
