#include "dialogue.h"

#include <algorithm>

bool runCurveDialogue(Point control[], int& n, const Console& console) {
  int degree = 0;
  const bool complete = askUntilAccepted(
      console,
      [&] {
        std::fputs("Unesite stepen Beizerove krive ", console.out);
      },
      [&] {
        const Answer answer = readInt(console.in, degree);
        if (answer == Answer::kAccepted && (degree < 0 || degree > kMaxDegree)) {
          return Answer::kRejected;
        }
        return answer;
      },
      "Greska: stepen mora biti ceo broj od 0 do 50.\n");
  if (!complete) {
    return false;
  }
  n = degree;

  for (int i = 1; i <= n + 1; ++i) {
    Point& p = control[i - 1];
    const bool read = askUntilAccepted(
        console,
        [&] {
          std::fprintf(console.out, "Unesite koordinate %d. kontrolne tacke:\n", i);
        },
        [&] {
          // Both coordinates are asked again when either is bad.
          float x = 0;
          float y = 0;
          Answer answer = readCoordinate(console.in, x);
          if (answer == Answer::kAccepted) {
            answer = readCoordinate(console.in, y);
          }
          if (answer == Answer::kAccepted) {
            p.x = x;
            p.y = y;
          }
          return answer;
        },
        "Greska: tacka se zadaje sa dve konacne realne koordinate, na primer 1.5 -2\n");
    if (!read) {
      return false;
    }
    addPoint(p, kOrange);
  }

  recordCurve(control, n);
  return true;
}

void recordCurve(const Point control[], int n) {
  for (int j = 0; j < n; ++j) {
    addSegment(Segment(control[j], control[j + 1]), kBlue);
  }
  sampleCurve(control, n, kRed);
}

bool runDialogue(Exercise& exercise, const Console& console) {
  if (!runCurveDialogue(exercise.control, exercise.n, console)) {
    return false;
  }
  // The split works on a copy: the exercise keeps the points as typed.
  Point polygon[kMaxPoints];
  std::copy(exercise.control, exercise.control + kMaxPoints, polygon);
  return runElevationDialogue(polygon, exercise.n, exercise.r1, exercise.r2, console);
}

void workExercise(const Exercise& exercise, std::FILE* out) {
  scene = Scene();
  for (int i = 0; i <= exercise.n; ++i) {
    addPoint(exercise.control[i], kOrange);
  }
  recordCurve(exercise.control, exercise.n);
  Point polygon[kMaxPoints];
  std::copy(exercise.control, exercise.control + kMaxPoints, polygon);
  splitAndElevate(polygon, exercise.n, exercise.r1, exercise.r2, out);
}
