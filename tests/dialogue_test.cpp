#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "console_capture.h"
#include "dialogue.h"
#include "geometry_assertions.h"

namespace {

const std::string kDegreePrompt = "Unesite stepen Beizerove krive ";
const std::string kFirstAmount = "\n Unesite za koji stepen zelite da uvecate 1. deo krive: ";
const std::string kSecondAmount = "\n Unesite za koji stepen zelite da uvecate 2. deo krive: ";

std::string pointPrompt(int i) {
  return "Unesite koordinate " + std::to_string(i) + ". kontrolne tacke:\n";
}

struct Transcript {
  bool complete;
  std::string out;
  std::string err;
};

Transcript converse(const std::string& input) {
  scene = Scene();
  Console console{fileWith(input), std::tmpfile(), std::tmpfile()};
  const bool complete = runDialogue(console);
  std::fclose(console.in);
  return {complete, contents(console.out), contents(console.err)};
}

const std::string kPrompts =
    kDegreePrompt + pointPrompt(1) + pointPrompt(2) + pointPrompt(3) + kFirstAmount + kSecondAmount;
const std::string kListing =
    " (0.00,0.00)  (0.33,0.67)  (0.67,1.00)  (1.00,1.00)  (2.00,0.00)  (1.50,1.00)  (1.00,1.00) ";

}  // namespace

TEST(Dialogue, CompleteRunPrintsAndRecordsTheExercise) {
  const Transcript run = converse("2\n0 0\n1 2\n2 0\n1\n0\n");
  EXPECT_TRUE(run.complete);
  EXPECT_EQ(run.out, kPrompts + kListing);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(countPoints(kOrange), 3);
  EXPECT_EQ(countPoints(kRed), 1000);
  EXPECT_EQ(countPoints(kBlack), 7);
  EXPECT_EQ(countPoints(kBlue), 1000);
  EXPECT_EQ(scene.points.size(), 2010u);
  EXPECT_EQ(countSegments(kBlue), 2);
  EXPECT_EQ(countSegments(kMagenta), 5);
  EXPECT_EQ(scene.segments.size(), 7u);
  EXPECT_POINT_EQ(scene.sceneMin, Point(0, 0));
  EXPECT_POINT_EQ(scene.sceneMax, Point(2, 2));

  // Answers typed ahead on one line are taken in order.
  const Transcript ahead = converse("2 0 0 1 2 2 0 1 0");
  EXPECT_TRUE(ahead.complete);
  EXPECT_EQ(ahead.out, run.out);
}

TEST(Dialogue, BadAnswerGetsOneComplaintAndTheSamePrompt) {
  struct Case {
    const char* input;
    std::string repeated;  // the prompt asked twice
  };
  const Case cases[] = {
      {"51\n2", kDegreePrompt},
      {"-1\n2", kDegreePrompt},
      {"2.5 7\n2", kDegreePrompt},
      {"3x\n2", kDegreePrompt},
      {"99999999999999999999\n2", kDegreePrompt},
      {"dva\n2", kDegreePrompt},
      {"2\n1,5 2\n0 0", pointPrompt(1)},
      {"2\nnan 0\n0 0", pointPrompt(1)},
      {"2\n0 inf\n0 0", pointPrompt(1)},
      {"2\n1e999 0\n0 0", pointPrompt(1)},
      {"2\n0 0\n1 2\n2 0\n49\n1", kFirstAmount},
      {"2\n0 0\n1 2\n2 0\n1\n4000000000\n0", kSecondAmount},
  };
  for (const Case& c : cases) {
    const Transcript run = converse(std::string(c.input) + "\n0 0\n1 2\n2 0\n1\n0\n");
    EXPECT_EQ(run.err.find("Greska: "), 0u) << c.input;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << c.input;
    const size_t first = run.out.find(c.repeated);
    ASSERT_NE(first, std::string::npos) << c.input;
    EXPECT_EQ(run.out.compare(first + c.repeated.size(), c.repeated.size(), c.repeated), 0)
        << c.input;
  }

  // The rest of a rejected line goes too: 5 and 5 are not read as the degree and point.
  const Transcript run = converse("x 5 5\n2\n0 0 1 2 2 0\n1 0\n");
  EXPECT_TRUE(run.complete);
  EXPECT_EQ(run.out, kDegreePrompt + kPrompts + kListing);
  // A bad y asks for both coordinates again.
  const Transcript point = converse("2\n7 y\n0 0\n1 2\n2 0\n1\n0\n");
  EXPECT_EQ(point.out, kDegreePrompt + pointPrompt(1) + pointPrompt(1) + pointPrompt(2) +
                           pointPrompt(3) + kFirstAmount + kSecondAmount + kListing);
  EXPECT_POINT_EQ(scene.points[0], Point(0, 0));
}

TEST(Dialogue, NegativeAmountsAndTheLargestDegreeAreAccepted) {
  const Transcript run = converse("1\n0 0\n2 2\n-1\n-5\n");
  EXPECT_TRUE(run.complete);
  // The first half drops to degree 0, the second lists nothing.
  EXPECT_EQ(run.out.substr(run.out.find(kSecondAmount) + kSecondAmount.size()), " (0.00,0.00) ");

  std::string answers = "50\n";
  for (int i = 0; i <= 50; ++i) {
    answers += std::to_string(i) + " " + std::to_string(i % 7) + "\n";
  }
  EXPECT_TRUE(converse(answers + "0\n0\n").complete);
  EXPECT_EQ(countPoints(kBlack), 102);
  EXPECT_FALSE(converse(answers + "1\n0\n").complete);  // 51 is asked again until input ends
}

TEST(Dialogue, EndOfInputIsReportedAndEndsTheProgramWithStatusOne) {
  for (const char* input : {"", "2\n0 0\n1", "2\n0 0\n1 2\n2 0\n1\n", "x"}) {
    EXPECT_FALSE(converse(input).complete) << input;
  }
  const std::string command = "printf '2\\n0 0\\n' | " GEOMETRIJA_BINARY " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
}
