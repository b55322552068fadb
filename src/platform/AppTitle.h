#pragma once

#include <QCoreApplication>
#include <QString>

// Every message box of the program carries this title.
inline QString appTitle() {
    return QCoreApplication::translate("Pictype", "Pictype Viewer");
}
