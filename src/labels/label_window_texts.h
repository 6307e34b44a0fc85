#pragma once

#include <QString>

namespace tessaly {

// The label window's own texts: its title and the messages it shows.

QString labelWindowTitle();

QString noDefaultFontTitle();
QString noDefaultFontMessage();

QString settingsFileErrorTitle();
QString settingsFileErrorMessage();

QString printerErrorTitle();
QString printerErrorMessage();

QString layoutRefusedTitle();

QString labelsSavedTitle();
QString labelsSavedMessage(const QString &path);

} // namespace tessaly
