#include "TfrmStudioMain.h"
TfrmStudioMain::TfrmStudioMain(QWidget* parent) : QMainWindow(parent) {}
