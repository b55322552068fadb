#pragma once

#include <QList>

#include "sound/SpokenText.h"

// Says what typing says, off the thread that types.
class Speaker {
  public:
    virtual ~Speaker() = default;
    // Gets the voices ready, so that the first key is heard as soon as the
    // others.
    virtual void prepare() = 0;
    // Cuts off whatever is still being said, and says `parts`.
    virtual void say(const QList<SpokenPart>& parts) = 0;
};
