#include "TfrmStudioMain.h"
#include <QApplication>
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TfrmStudioMain w;
    w.show();
    return app.exec();
}
