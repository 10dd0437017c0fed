#include "judge.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>

#include "listing.h"

// Fixed arrays and formatted printing rather than growing containers and
// strings: the page carries this code, every byte of it.

namespace {

// A point of the working: its value as the working computes it, and where
// it comes from: num / den of from[0] plus the rest of from[1] (a midpoint
// is 1/2 of each). A given point comes from nothing (from[0] < 0).
struct Step {
  float x;
  float y;
  int from[2];
  int num;
  int den;
  int row;    // the scheme's level, or the degree that a pass reaches
  int half;   // the half that a pass raises, or -1 in the scheme
  int place;  // its place in its row, from 0
};

// The whole scheme and every asked point of the passes, at the largest.
constexpr int kMaxSteps = kMaxWorkingPoints + kMaxSheetPoints;
Step steps[kMaxSteps];
double own[kMaxSteps][2];  // the student's numbers, the true ones where none

Step& addStep(int count, const Point& p, int from0, int from1, int row, int place) {
  Step& step = steps[count];
  step = Step{p.x, p.y, {from0, from1}, 1, 2, row, -1, place};
  return step;
}

// The working's points in the sheet's order, each after those it comes from,
// into `steps`: the scheme, level by level, then each half's passes, whose
// first and last points are their half's, which every pass keeps. Their count.
int stepsOf(const Point P[], int n, int r1, int r2) {
  // Made once, on the heap: static Points, which start Black, would be the
  // page's own data.
  static Point* const scheme = new Point[kMaxWorkingPoints];
  static Point* const passes = new Point[kMaxWorkingPoints];
  midpointScheme(P, n, scheme);
  int count = 0;
  for (int k = 0, above = -1; k <= n; ++k) {
    const int begin = count;
    for (int i = 0; i <= n - k; ++i, ++count) {
      addStep(count, scheme[count], k == 0 ? -1 : above + i, above + i + 1, k, i);
    }
    above = begin;
  }
  const int amounts[] = {r1, r2};
  for (int h = 0; h < 2; ++h) {
    // The first half is the first point of every level, the second the last.
    int row[kMaxPoints];
    Point half[kMaxPoints];
    for (int k = 0, begin = 0; k <= n; begin += n + 1 - k, ++k) {
      row[k] = h == 0 ? begin : begin + n - k;
      half[k] = scheme[row[k]];
    }
    elevationPasses(half, n, amounts[h], passes);
    for (int m = n + 1, begin = n + 1; m <= n + amounts[h]; begin += m + 1, ++m) {
      int before = row[0];  // row[j - 1] as it stood before this pass
      for (int j = 1; j < m; ++j, ++count) {
        Step& step = addStep(count, passes[begin + j], before, row[j], m, j);
        step.num = j;
        step.den = m;
        step.half = h;
        before = row[j];
        row[j] = count;
      }
      row[m] = before;
    }
  }
  return count;
}

// num / den of a plus the rest of b, as the step's rule has it.
void weighted(const double a[2], const double b[2], int num, int den, double out[2]) {
  const double w = static_cast<double>(num) / den;
  out[0] = w * a[0] + (1 - w) * b[0];
  out[1] = w * a[1] + (1 - w) * b[1];
}

// What was written for one point of the sheet, and how near a number must be.
struct Attempt {
  double wrote[2];
  bool has[2];
  const double* near;

  // Whether each written coordinate is `value`'s, or else `rule`'s with one
  // `value`'s alone: what gives `value` explains what was written.
  bool explains(const double value[2], const double* rule = nullptr) const {
    bool alone = rule == nullptr;
    for (int axis = 0; axis < 2; ++axis) {
      const bool at = std::fabs(wrote[axis] - value[axis]) <= near[axis];
      const bool atRule = rule != nullptr && std::fabs(wrote[axis] - rule[axis]) <= near[axis];
      if (has[axis] && !at && !atRule) {
        return false;
      }
      alone = alone || (has[axis] && at && !atRule);
    }
    return alone;
  }
};

// Appends to the words, as far as they hold.
void say(Judgement& judged, const char* format, ...) {
  const size_t used = std::strlen(judged.firstWrong);
  va_list values;
  va_start(values, format);
  std::vsnprintf(judged.firstWrong + used, sizeof judged.firstWrong - used, format, values);
  va_end(values);
}

// A pair as the listing writes it, with Serbian's decimal comma; ? for a
// coordinate not written.
struct PairText {
  char text[128];
};
PairText pairText(const double p[2], const bool shown[2] = nullptr) {
  char coordinates[2][48];
  for (int axis = 0; axis < 2; ++axis) {
    char* text = coordinates[axis];
    if (shown != nullptr && !shown[axis]) {
      std::strcpy(text, "?");
    } else if (std::fabs(p[axis]) <= FLT_MAX) {
      std::snprintf(text, 48, "%s", formatCoordinate(static_cast<float>(p[axis])).c_str());
    } else {
      std::snprintf(text, 48, "%.2e", p[axis]);  // written so, beyond what the working holds
    }
    std::replace(text, text + std::strlen(text), '.', ',');
  }
  PairText pair;
  std::snprintf(pair.text, sizeof pair.text, "(%s, %s)", coordinates[0], coordinates[1]);
  return pair;
}

// num / den in lowest terms.
struct Fraction {
  int num;
  int den;
};
Fraction lowest(int num, int den) {
  const int common = std::gcd(num, den);
  return {num / common, den / common};
}

// Names the slip that gives what was written for `step` instead of `rule`,
// where a known one does.
void saySlip(const Attempt& attempt, const Step& step, const double rule[2], int n,
             Judgement& judged) {
  const double* a = own[step.from[0]];
  const double* b = own[step.from[1]];
  double slip[2];
  if (step.half >= 0) {
    weighted(a, b, step.den - step.num, step.den, slip);
    if (attempt.explains(slip, rule)) {
      return say(judged, " Izgleda da su tezine zamenjene.");
    }
    weighted(a, b, step.num, step.den - 1, slip);
    if (attempt.explains(slip, rule)) {
      const Fraction was = lowest(step.num, step.den - 1);
      const Fraction is = lowest(step.num, step.den);
      return say(judged, " Izgleda da su uzete tezine prethodnog stepena: %d/%d umesto %d/%d.",
                 was.num, was.den, is.num, is.den);
    }
  } else {
    const int above = step.from[0] - step.place;  // the level above, from its first point
    for (int i = 0; i <= n - step.row; ++i) {
      weighted(own[above + i], own[above + i + 1], 1, 2, slip);
      if (i != step.place && attempt.explains(slip, rule)) {
        return say(judged, " Izgleda da je uzeta sredina pogresnog para: %d. i %d. tacke nivoa %d.",
                   i + 1, i + 2, step.row - 1);
      }
    }
  }
  const double exchanged[2] = {rule[1], rule[0]};
  if (attempt.has[0] && attempt.has[1] && attempt.explains(exchanged, rule)) {
    return say(judged, " Izgleda da su x i y zamenjeni.");
  }
  // Each coordinate as it is with its sign lost, or the sign of one of its numbers.
  double lost[2] = {rule[0], rule[1]};
  const double w = static_cast<double>(step.num) / step.den;
  for (int axis = 0; axis < 2; ++axis) {
    for (const double signless :
         {-rule[axis], -w * a[axis] + (1 - w) * b[axis], w * a[axis] - (1 - w) * b[axis]}) {
      if (std::fabs(attempt.wrote[axis] - signless) <= attempt.near[axis]) {
        lost[axis] = signless;
      }
    }
  }
  if (attempt.explains(lost, rule)) {
    say(judged, " Izgleda da je izgubljen znak.");
  }
}

// The wrong point in words: where it is, its rule with the student's own
// numbers, what that gives and what was written, and the slip if known.
void sayWrong(const Attempt& attempt, const Step& step, const double rule[2], int n,
              Judgement& judged) {
  const PairText a = pairText(own[step.from[0]]);
  const PairText b = pairText(own[step.from[1]]);
  if (step.half < 0) {
    say(judged, "Nivo %d, %d. tacka: sredina %s i %s", step.row, step.place + 1, a.text, b.text);
  } else {
    const Fraction first = lowest(step.num, step.den);
    const Fraction second = lowest(step.den - step.num, step.den);
    say(judged, "%d. deo, stepen %d, %d. tacka: %d/%d * %s + %d/%d * %s", step.half + 1, step.row,
        step.place + 1, first.num, first.den, a.text, second.num, second.den, b.text);
  }
  say(judged, " je %s, a napisano je %s.", pairText(rule).text,
      pairText(attempt.wrote, attempt.has).text);
  saySlip(attempt, step, rule, n, judged);
}

}  // namespace

Written readWritten(const char* text, double& value) {
  while (*text == ' ' || *text == '\t') {
    ++text;
  }
  char number[64];
  size_t length = std::strlen(text);
  while (length > 0 && (text[length - 1] == ' ' || text[length - 1] == '\t')) {
    --length;
  }
  if (length == 0) {
    return Written::kEmpty;
  }
  if (length >= sizeof number) {
    return Written::kRefused;  // longer than any number written by hand
  }
  std::memcpy(number, text, length);
  number[length] = '\0';
  const auto digitsFrom = [&number](size_t at) {
    while (std::isdigit(static_cast<unsigned char>(number[at])) != 0) {
      ++at;
    }
    return at;
  };
  const size_t start = number[0] == '-' ? 1 : 0;
  const size_t whole = digitsFrom(start);  // where the whole part ends
  // Decimals after a point or a comma, or a fraction's denominator.
  const char mark = number[whole];
  const size_t end = mark == '\0' ? whole : digitsFrom(whole + 1);
  if (whole == start || end != length || end == whole + 1 ||
      (mark != '\0' && mark != '.' && mark != ',' && mark != '/')) {
    return Written::kRefused;
  }
  if (mark == '/') {
    value = std::strtod(number, nullptr) / std::strtod(number + whole + 1, nullptr);
  } else {
    number[whole] = mark == ',' ? '.' : mark;
    value = std::strtod(number, nullptr);
  }
  return std::isfinite(value) ? Written::kNumber : Written::kRefused;
}

void judgeSheet(const Point P[], int n, int r1, int r2, const char* fields, Judgement& judged) {
  const int count = stepsOf(P, n, r1, r2);
  // How near a number must be: what two decimals show (a written tie
  // included), or where floats are coarser, half their spacing at the
  // curve's largest coordinate for each rounding by which an exact working
  // may differ from the listing's, at most one a level or a pass.
  double near[2];
  for (int axis = 0; axis < 2; ++axis) {
    float largest = 0;
    for (int i = 0; i <= n; ++i) {
      largest = std::max(largest, std::fabs(axis == 0 ? P[i].x : P[i].y));
    }
    const double spacing = std::nextafter(largest, FLT_MAX) - static_cast<double>(largest);
    near[axis] = std::max(0.005, spacing * kMaxElevatedSegments / 2) * (1 + 1e-9);
  }
  judged.firstWrong[0] = '\0';
  char* mark = judged.marks;
  for (int s = 0; s < count; ++s) {
    const Step& step = steps[s];
    own[s][0] = step.x;
    own[s][1] = step.y;
    if (step.from[0] < 0) {
      continue;
    }
    Attempt attempt{{0, 0}, {false, false}, near};
    bool refused[2];
    for (int axis = 0; axis < 2; ++axis) {
      // The field's text, to the end of its line; past the last, nothing.
      char text[80] = "";
      const size_t length = std::strcspn(fields, "\n");
      std::memcpy(text, fields, std::min(length, sizeof text - 1));
      fields += length + (fields[length] == '\n' ? 1 : 0);
      const Written written =
          length < sizeof text ? readWritten(text, attempt.wrote[axis]) : Written::kRefused;
      attempt.has[axis] = written == Written::kNumber;
      refused[axis] = written == Written::kRefused;
      if (attempt.has[axis]) {
        own[s][axis] = attempt.wrote[axis];
      }
    }
    double rule[2];
    weighted(own[step.from[0]], own[step.from[1]], step.num, step.den, rule);
    const double truth[2] = {step.x, step.y};
    const char letter = !attempt.has[0] && !attempt.has[1] ? 'e'
                        : attempt.explains(truth)          ? 'r'
                        : attempt.explains(rule)           ? 'f'
                                                           : 'w';
    if (letter == 'w' && judged.firstWrong[0] == '\0') {
      sayWrong(attempt, step, rule, n, judged);
    }
    for (const bool notANumber : refused) {
      *mark++ = notANumber ? 'x' : letter;
    }
  }
  *mark = '\0';
}
