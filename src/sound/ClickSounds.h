#pragma once

struct Globals;

// Builds the four key-click sounds into Globals::ClickSounds, once at start-up:
// complete WAVE file images (8-bit mono PCM) that the sound output can play
// straight from memory. They never change afterwards.
void BuildClickSounds(Globals& globals);
