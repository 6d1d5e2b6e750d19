#pragma once
// The player's details file "User.ini": name, home town, state and country.

#include <QString>

inline const QString kUserInfoFileName = QStringLiteral("User.ini");

// A player detail as the file can hold it: one value per line, and a double quote would make
// the reader run on into the following lines, so line breaks and quotes are taken out.
QString CleanUserDetail(QString value);

// Writes the file into the program folder; a failure is reported and the old file stays.
void SaveUserInfo(const QString& name, const QString& homeTown, const QString& state,
                  const QString& country);
// Reads the file into the shared player values; what cannot be read keeps its value.
void ReadUserInfo(const QString& path);
