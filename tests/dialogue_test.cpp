#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "geometry_assertions.h"

const std::string kDegree = "Unesite stepen Beizerove krive ";
const std::string kFirst = "\n Unesite za koji stepen zelite da uvecate 1. deo krive: ";
const std::string kSecond = "\n Unesite za koji stepen zelite da uvecate 2. deo krive: ";
const std::string kPoint = "Unesite koordinate 1. kontrolne tacke:\n";
const std::string kPoint2 = "Unesite koordinate 2. kontrolne tacke:\n";
const std::string kPrompts =
    kDegree + kPoint + kPoint2 + "Unesite koordinate 3. kontrolne tacke:\n" + kFirst + kSecond;

// The program's exit status with `input` as its answers; what it prints is dropped.
static int exitStatusOn(const std::string& input) {
  const auto answers = std::filesystem::temp_directory_path() /
                       ("geometrija-answers-" + std::to_string(std::random_device()()));
  std::ofstream(answers) << input;
  std::string run = GEOMETRIJA_BINARY;
#ifdef _WIN32  // cmd.exe, which std::system runs, takes no forward slashes in a command
  std::replace(run.begin(), run.end(), '/', '\\');
  const int status = std::system((run + " <\"" + answers.string() + "\" >NUL 2>&1").c_str());
#else
  int status = std::system((run + " <'" + answers.string() + "' >/dev/null 2>&1").c_str());
  status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  std::filesystem::remove(answers);
  return status;
}

TEST(Dialogue, CompleteRunsPrintAndRecordTheExercise) {
  EXPECT_EQ(converse("2 0 0 1 2 2 0 1 0"), kPrompts + kListing);  // typed ahead
  EXPECT_EQ(converse(kExample), kPrompts + kListing);
  // Lines ended as on Windows.
  EXPECT_EQ(converse("2\r\n0 0\r\n1 2\r\n2 0\r\n1\r\n0\r\n"), kPrompts + kListing);
  // Orange (4), Red (0), Black (9) and Blue (2) points; Blue and Magenta (5)
  // edges, by the colour table's own codes; the corners.
  EXPECT_EQ(std::vector({countIn(scene.points, 4), countIn(scene.points, 0),
                         countIn(scene.points, 9), countIn(scene.points, 2),
                         countIn(scene.segments, 2), countIn(scene.segments, 5)}),
            std::vector<long>({3, 1000, 7, 1000, 2, 5}));
  EXPECT_EQ(xy(scene.sceneMin), xy({0, 0}));
  EXPECT_EQ(xy(scene.sceneMax), xy({2, 2}));
  EXPECT_EQ(xy(scene.segments[0].b), xy({1, 2}));  // the polygon's edges join its points in order
  EXPECT_EQ(xy(scene.segments[1].b), xy({2, 0}));
  EXPECT_EQ(converse("0\n3 4\n0\n0\n"),
            kDegree + kPoint + kFirst + kSecond + " (3.00,4.00)  (3.00,4.00) ");
  // Negative amounts cut the listed halves: the first to degree 0, the second to nothing.
  EXPECT_EQ(converse("1\n0 0\n2 2\n-1\n-2147483648\n"),
            kDegree + kPoint + kPoint2 + kFirst + kSecond + " (0.00,0.00) ");
}

// A bad answer gets one line of complaint, the rest of its line is dropped
// and the same question comes again; the run then goes on as before.
TEST(Dialogue, BadAnswersAreAskedAgain) {
  // Where among the example's answers the bad one is typed, and what it is.
  // clang-format off
  const std::pair<size_t, std::string> cases[] = {
      {0, "51 2"}, {0, "-1"}, {0, "2.5\r"}, {0, "3x"}, {0, std::string(300, '0') + "2"},
      {0, "99999999999999999999"}, {2, "1,5 2"}, {2, "nan 0"}, {2, "0 inf"}, {2, "1e999 0"},
      {2, "7 y"}, {14, "49"}, {14, "4000000000"}, {16, "-4000000000"}};
  // clang-format on
  for (const auto& [at, bad] : cases) {
    const std::string question = at == 0 ? kDegree : at == 2 ? kPoint : at == 14 ? kFirst : kSecond;
    std::string asked = kPrompts;
    asked.insert(asked.find(question), question);
    std::string run = converse(kExample.substr(0, at) + bad + "\n" + kExample.substr(at));
    const size_t complaint = run.find("Greska: ");
    ASSERT_EQ(run.substr(complaint - question.size(), question.size()), question) << bad;
    EXPECT_EQ(run.erase(complaint, run.find('\n', complaint) + 1 - complaint), asked + kListing);
  }
}

TEST(Dialogue, TheLargestDegreeAndWhereInputEnds) {
  std::string largest = "50\n";
  for (int i = 0; i <= 50; ++i)
    largest += std::to_string(i) + " " + std::to_string(i % 7) + "\n";
  EXPECT_EQ(converse(largest + "0\n0\n").find("cut short"), std::string::npos);
  EXPECT_EQ(countIn(scene.points, kBlack), 102);
  // An input that ends among the points is asked nothing more.
  EXPECT_EQ(converse("2\n0 0\n"), "cut short " + kDegree + kPoint + kPoint2);
  // 51 is asked again until the input ends; so is every answer it cuts short.
  for (const std::string& input : {largest + "1\n0\n", std::string(), std::string("2\n0 0\n1"),
                                   kExample.substr(0, 16), std::string("x")})
    EXPECT_EQ(converse(input).find("cut short"), 0u) << input;
  EXPECT_EQ(exitStatusOn("2\n0 0\n"), 1);
}
