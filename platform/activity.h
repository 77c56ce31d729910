// One line on the terminal saying what a long wait waits on ("CD 2 : attente de la réponse de
// host:80"), replaced by the next and cleared at the end. Nothing when standard error is not a
// terminal: a host with windows has its own ways.
#ifndef ORV_PLATFORM_ACTIVITY_H
#define ORV_PLATFORM_ACTIVITY_H

#include <string_view>

namespace orv::platform {

// "" clears the line.
void ShowActivity(std::string_view text);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_ACTIVITY_H
