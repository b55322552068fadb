#pragma once

#include <QString>

// Every message box of the program carries this title.
inline const QString kAppTitle = QStringLiteral("Pictype Viewer");
