// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maker's home page, opened through the desktop's browser.

#include <QUrl>
#include <functional>

class QWidget;

namespace hexaline::about {

inline constexpr char kHomePage[] = "https://hexaline.example.org/";

// Hands the home page to the desktop shell's "open".
void openHomePage();
// Replaces the shell's "open" (tests); an empty function restores it.
void setUrlOpener(std::function<void(const QUrl&)> opener);
// A left click on `widget` opens the home page; the widget gets a hand cursor.
void openHomePageOnClick(QWidget* widget);

}  // namespace hexaline::about
