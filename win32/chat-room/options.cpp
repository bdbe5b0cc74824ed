#include "win32/chat-room/options.h"

#include <cstdlib>

namespace hue::chatroom {

const char kChatRoomUsage[] =
    "chat-room [--screen-name NAME] [--transcript FILE] [--rooms N] [--no-welcome] [--welcome-behind]\n"
    "          [--decoy] [--no-input-box] [--geometry LEFT,TOP,WIDTH,HEIGHT]\n"
    "A stand-in for the chat client: a frame with chat rooms and a welcome window.\n"
    "Typed lines: '/name NEW' signs on as NEW, '/hang SECONDS' stops responding for that long.\n";

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 < arguments.size()) return arguments[++i];
            error = argument + " needs a value";
            return std::nullopt;
        };
        if (argument == "--screen-name") {
            const auto name = value();
            if (!name) return std::nullopt;
            options.screenName = *name;
        } else if (argument == "--transcript") {
            const auto file = value();
            if (!file) return std::nullopt;
            options.transcript = *file;
        } else if (argument == "--rooms") {
            const auto count = value();
            if (!count) return std::nullopt;
            options.rooms = std::atoi(count->c_str());
            if (options.rooms < 0 || options.rooms > 9) {
                error = "--rooms takes 0 to 9";
                return std::nullopt;
            }
        } else if (argument == "--geometry") {
            const auto geometry = value();
            if (!geometry) return std::nullopt;
            if (std::sscanf(geometry->c_str(), "%d,%d,%d,%d", &options.left, &options.top, &options.width,
                            &options.height) != 4) {
                error = "--geometry takes LEFT,TOP,WIDTH,HEIGHT";
                return std::nullopt;
            }
        } else if (argument == "--no-welcome") {
            options.welcome = false;
        } else if (argument == "--welcome-behind") {
            options.welcomeBehindRooms = true;
        } else if (argument == "--decoy") {
            options.decoy = true;
        } else if (argument == "--no-input-box") {
            options.noInputBox = true;
        } else {
            error = "unknown argument '" + argument + "'";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace hue::chatroom
