#include "sound/ClickSounds.h"

void BuildClickSounds(Globals&) {}
