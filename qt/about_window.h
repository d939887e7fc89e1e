// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window: the maker's logo, the credits and the link to the maker's
// web page. It only reports clicks; the rules decide what they do.
#pragma once

#include <QWidget>

#include "about_clicks.h"
#include "game.h"

namespace trelavka::qt {

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  AboutWindow();

  // The close box reports CloseBox and leaves the window standing: whoever
  // owns it deletes it (deleteLater) when the rules close it.
  Q_SIGNAL void clicked(trelavka::AboutTarget target);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  view::AboutClicks clicks_;
};

}  // namespace trelavka::qt
