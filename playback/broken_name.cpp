#include "playback/broken_name.h"

namespace korvida {

void markBrokenName(InMedia& media)
{
    if (media.getIsBroken())
        return;
    media.setIsBroken(true);
    // The bare name: the play and copy state words are added when the name is shown, and
    // must not become part of it.
    media.setName("BROKEN !! " + media.getCleanName());
}

} // namespace korvida
