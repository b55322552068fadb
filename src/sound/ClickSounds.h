#pragma once

struct Globals;

// Builds the four key-click sounds, complete WAVE images, into Globals::ClickSounds.
void BuildClickSounds(Globals& globals);
