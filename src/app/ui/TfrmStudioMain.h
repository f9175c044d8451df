#pragma once
#include <QMainWindow>
class TfrmStudioMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmStudioMain(QWidget* parent = nullptr);
};
