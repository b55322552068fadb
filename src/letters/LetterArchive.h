#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The letter sets' zip archive, letters.zip.
class LetterArchive {
  public:
    // Largest member the program will extract; a letter set is far smaller.
    static constexpr qint64 kMaxMemberBytes = 64LL * 1024 * 1024;

    struct Listing {
        QStringList names;  // in archive order
        bool complete = false;
    };

    explicit LetterArchive(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // The names of the members that can be letter sets: files whose names
    // lead below the folder they are extracted to (isSafeMemberName()). A
    // listing that fails part way keeps the names found before the fault.
    Listing list() const;

    // Extracts one member into `folder`, under its name (making the folders
    // of a name with a folder part). A name that could lead out of `folder`
    // is refused, and so is a link standing in the way.
    bool extract(const QString& member, const QString& folder) const;

    // The content of one member, unpacked through a private folder made for
    // it in a temporary folder and removed at once. nullopt when it cannot
    // be had.
    std::optional<QByteArray> read(const QString& member) const;

  private:
    QString path_;
};

// True when a member name can only lead to a file below the folder it is
// extracted to: relative, no "." or ".." component, no backslash.
bool isSafeMemberName(const QByteArray& name);
