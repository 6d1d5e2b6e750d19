#pragma once
// The player's details file "User.ini": name, home town, state and country.

#include <QString>

inline const QString kUserInfoFileName = QStringLiteral("User.ini");

// Writes the file into the program folder; a failure is reported and the old file stays.
void SaveUserInfo(const QString& name, const QString& homeTown, const QString& state,
                  const QString& country);
// Reads the file into the shared player values; what cannot be read keeps its value.
void ReadUserInfo(const QString& path);
