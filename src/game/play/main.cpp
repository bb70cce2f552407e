// depthrun-play: the real game played from a key script (or by the autopilot) with a fixed
// seed on a virtual clock, for a number of frames, with pictures of chosen frames and a JSON
// report of the state at the end. See the usage text below.
#include "core/Error.hpp"
#include "game/harness/Autopilot.hpp"
#include "game/harness/KeyScript.hpp"
#include "game/harness/ScriptedPlay.hpp"

#include <charconv>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* USAGE =
    "usage: depthrun-play [options]\n"
    "  --seed N              random seed (default 1; a key script's seed line wins over it)\n"
    "  --frames N            frames to run from the first frame of the title (default 600)\n"
    "  --keys FILE           key script: '<frame> <key> down|up|press' lines, keys space,\n"
    "                        left, right, s, escape; an optional 'seed N' line\n"
    "  --shot FRAME:PATH     a PNG of that frame (repeatable; opens a window: needs a display)\n"
    "  --report PATH         the JSON report of the state after the last frame ('-': stdout)\n"
    "  --data DIR            the resource_db to read (default: the one beside the program)\n"
    "  --level L_S           start the game at level L, stage S (such as 2_3)\n"
    "  --draw                draw into a window even without pictures\n"
    "  --autopilot           a simple player plays (Space on the title to start, unless\n"
    "                        a key script is given)\n"
    "  --one-level           stop once the first level played is won or failed; the exit\n"
    "                        status is then 0 for won, 3 for failed\n";

template <class Integer> bool readNumber(std::string_view text, Integer& value) {
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tarvex;
    using namespace tarvex::game::harness;
    PlayOptions options;
    std::string reportPath;
    std::string keysPath;
    bool seedGiven = false;
    bool autopilot = false;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) {
                std::cerr << "depthrun-play: " << arg << " needs a value\n" << USAGE;
                std::exit(2);
            }
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << USAGE;
            return 0;
        }
        bool good = true;
        if (arg == "--seed") {
            good = readNumber(value(), options.seed);
            seedGiven = true;
        } else if (arg == "--frames") {
            good = readNumber(value(), options.frames) && options.frames >= 0;
        } else if (arg == "--keys") {
            keysPath = value();
        } else if (arg == "--shot") {
            const std::string& shot = value();
            const auto colon = shot.find(':');
            std::int64_t frame = 0;
            good = colon != std::string::npos && colon + 1 < shot.size() &&
                   readNumber(std::string_view(shot).substr(0, colon), frame) && frame >= 0;
            if (good) {
                options.shots.emplace_back(frame, shot.substr(colon + 1));
            }
        } else if (arg == "--report") {
            reportPath = value();
        } else if (arg == "--data") {
            options.dataDirectory = value();
        } else if (arg == "--level") {
            options.startLevel = value();
        } else if (arg == "--draw") {
            options.draw = true;
        } else if (arg == "--autopilot") {
            autopilot = true;
        } else if (arg == "--one-level") {
            options.stopAtLevelEnd = true;
        } else {
            std::cerr << "depthrun-play: unknown option " << arg << "\n" << USAGE;
            return 2;
        }
        if (!good) {
            std::cerr << "depthrun-play: bad value for " << arg << ": " << args[i] << "\n";
            return 2;
        }
    }
    try {
        if (!keysPath.empty()) {
            options.keys = loadKeyScript(keysPath);
            if (options.keys.seed && !seedGiven) {
                options.seed = *options.keys.seed;
            }
        }
        if (autopilot && keysPath.empty()) {
            options.keys = parseKeyScript("0 space press\n");
        }
        ScriptedPlay play(options);
        Autopilot pilot(play.runner());
        if (autopilot) {
            play.setFrameHook([&pilot](std::int64_t frame) { pilot.beforeFrame(frame); });
        }
        play.run();
        for (const auto& error : play.shotErrors()) {
            std::cerr << "depthrun-play: " << error << "\n";
        }
        if (reportPath == "-") {
            std::cout << play.report();
        } else if (!reportPath.empty()) {
            std::ofstream out(reportPath, std::ios::binary | std::ios::trunc);
            out << play.report();
            if (!out.flush()) {
                std::cerr << "depthrun-play: cannot write the report " << reportPath << "\n";
                return 1;
            }
        }
        if (!play.shotErrors().empty()) {
            return 1;
        }
        if (options.stopAtLevelEnd) {
            return play.levelWon() ? 0 : 3;
        }
        return 0;
    } catch (const Error& error) {
        std::cerr << "depthrun-play: " << error.what() << "\n";
        return 1;
    }
}
