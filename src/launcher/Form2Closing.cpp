// Clipboard, help and closing: being written.
#include "launcher/Form2.h"

void Form2::btnClip_Click() {}
void Form2::btnAppend_Click() {}
void Form2::lblReadme_Click() {}
bool Form2::Form_QueryUnload() { return false; }
