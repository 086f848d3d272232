// The modal About box: the program's name, its version line and an "Ok" button.
#pragma once

#include <QDialog>

namespace orvel {

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* VersionLine = "Версия 2.1 от 14 апреля 2002 г.";

    explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace orvel
