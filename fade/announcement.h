#pragma once

#include "fade/text.h"

namespace hue {

// The line with which the tool announces itself: every character coloured by its position alone,
// from near blue through purple to pure red at the middle and back to pure blue at the end.
Markup AnnouncementMarkup(TextView text);

}  // namespace hue
