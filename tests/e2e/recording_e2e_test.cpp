// A game played headless (a voyage, a battle, saves, a week's end) and
// recorded, then replayed from the recording alone:
// the same frames at the same ticks and the same saves, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "game_run.h"

namespace cv::e2e {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Puts "shot FILE" lines into a recording where its ticks reach the given
// counts, after the readings taken during that tick, as the played script
// took its shots.
std::string WithShots(const std::string& recording,
                      std::vector<std::pair<int, std::string>> shots) {
    std::istringstream in(recording);
    std::ostringstream out;
    std::string line;
    int ticks = 0;
    size_t next = 0;
    bool due = false;
    while (std::getline(in, line)) {
        const bool reading = line.rfind("clock ", 0) == 0 || line.rfind("now ", 0) == 0 ||
                             line.rfind("answer ", 0) == 0;
        if (due && !reading) {
            out << "shot " << shots[next++].second << "\n";
            due = false;
        }
        int count = 0;
        while (line.rfind("tick ", 0) == 0 && (count = std::stoi(line.substr(5))) > 0 &&
               next < shots.size() && !due && ticks + count >= shots[next].first) {
            const int before = shots[next].first - ticks;
            out << "tick " << before << "\n";
            ticks += before;
            line = "tick " + std::to_string(count - before);
            due = true;
        }
        if (line.rfind("tick ", 0) == 0) ticks += std::stoi(line.substr(5));
        if (line != "tick 0") out << line << "\n";
    }
    if (due) out << "shot " << shots[next].second << "\n";
    return out.str();
}

TEST(Recording, AReplayOfTheRecordingShowsTheSameFramesAndWritesTheSameSaves) {
    TempDir played, replayed;
    CopyGameFolder(played);
    CopyGameFolder(replayed);
    // Shots are taken at these tick counts of the played script.
    const std::vector<std::string> names = {"start.png", "battle.png", "walked.png",
                                            "saved.png", "week.png",   "end.png"};
    auto shot = [&](const std::string& name) { return "shot " + (played / name).string() + "\n"; };
    // Into the town two steps east for a boat, aboard, across to the army on
    // the islet, a battle given up, and home in disgrace.
    const std::string battle =
        "key Right\ntick 1\nkey Right\ntick 1\n" + Tap(463, 141) + "tick 1\n" + Tap(319, 411) +
        "tick 1\nkey Down\ntick 1\nkey End\ntick 1\nkey End\ntick 1\n"
        "key End\ntick 1\nkey Home\ntick 1\n" +
        Tap(231, 321) + "tick 2\n" + shot("battle.png") + Tap(560, 234) + "tick 1\n" +
        Tap(320, 280) + "tick 1\n" + Tap(232, 321) + "tick 3\nkey Enter\ntick 2\n";
    const std::string walk =
        "key Right\ntick 2\nkey Down\ntick 2\nkeydown Up\ntick 1\nkeyup Up\ntick 3\n";
    const std::string script = kNewKnight + "tick 2\n" + shot("start.png") + battle + walk +
                               shot("walked.png") + kOpenMenu + kSave + "tick 1\n" +
                               shot("saved.png") + kOnlyButton + "tick 1\n" + kOpenMenu + kWeekEnd +
                               "tick 1\n" + kOnlyButton + "tick 1\n" + kBudgetOk + "tick 4\n" +
                               shot("week.png") + walk + kOpenMenu + kSave + "tick 1\n" +
                               kOnlyButton + "tick 5\n" + shot("end.png") + "quit\n";
    played.Write("script.txt", script);
    const std::filesystem::path recording = played / "game.rec";
    RunResult r =
        RunProgram(CORVANTH_EXE, {"--headless", "--seed", "41", "--game-dir", played.path(),
                                  "--script", played / "script.txt", "--record", recording});
    ASSERT_EQ(r.status, 0) << r.err;

    const std::string rec = ReadFile(recording);
    for (const char* header :
         {"# seed: 41\n", "# fixed seed: yes\n", "# ScrWidth: 480\n", "# FlipScreen: OFF\n",
          "# Animation: ON\n", "# CurLanguage: English\n"}) {
        EXPECT_NE(rec.find(header), std::string::npos) << header << " missing in\n" << rec;
    }
    EXPECT_EQ(rec.find("shot "), std::string::npos) << "shots are output, not input";

    // The tick counts at which the played script took its shots.
    std::vector<std::pair<int, std::string>> shots;
    int ticks = 0;
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("tick ", 0) == 0) ticks += std::stoi(line.substr(5));
        if (line.rfind("shot ", 0) == 0) {
            const std::string name = std::filesystem::path(line.substr(5)).filename();
            shots.emplace_back(ticks, (replayed / name).string());
        }
    }
    replayed.Write("replay.txt", WithShots(rec, shots));
    r = RunProgram(CORVANTH_EXE, {"--headless", "--game-dir", replayed.path(), "--script",
                                  replayed / "replay.txt"});
    ASSERT_EQ(r.status, 0) << r.err;

    for (const std::string& name : names) {
        const std::string frame = ReadFile(played / name);
        EXPECT_FALSE(frame.empty()) << name;
        EXPECT_EQ(frame, ReadFile(replayed / name)) << "frame " << name << " differs";
    }
    EXPECT_NE(ReadFile(played / "battle.png"), ReadFile(played / "start.png")) << "no battle";
    ASSERT_TRUE(std::filesystem::exists(played / "1.sav"));
    EXPECT_EQ(ReadFile(played / "1.sav"), ReadFile(replayed / "1.sav")) << "the saves differ";
}

TEST(Recording, AFatalErrorKeepsTheRecordingBesideTheSavesAndSaysWhere) {
    TempDir dir;
    CopyGameFolder(dir);
    std::ofstream(dir / "Corvanth.CFG", std::ios::app) << "[Broken\n";
    std::ofstream(dir / "Error.rec") << "an earlier one\n";
    const RunResult r = RunProgram(CORVANTH_EXE, {"--headless", "--seed", "3", "--game-dir",
                                                  dir.path(), "--record", dir / "game.rec"});
    EXPECT_EQ(r.status, 1);
    const std::string kept = (dir / "Error-2.rec").string();
    EXPECT_NE(r.err.find("Invalid CFG line: [Broken\n\nThe game so far is recorded in " + kept),
              std::string::npos)
        << r.err;
    const std::string recording = ReadFile(kept);
    EXPECT_EQ(recording, ReadFile(dir / "game.rec"));
    EXPECT_NE(recording.find("# seed: 3\n"), std::string::npos) << recording;
    EXPECT_NE(recording.find("# Error: Invalid CFG line: [Broken\n"), std::string::npos)
        << recording;
    EXPECT_EQ(ReadFile(dir / "Error.rec"), "an earlier one\n");
}

}  // namespace
}  // namespace cv::e2e
