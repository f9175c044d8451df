#include "SchemeData.h"

TPreviewColors DefaultPreviewColors()
{
    const TColor grey = MakeColor(230, 230, 230);
    return {clBlack, clBlack, clBlack, clBlack, clBlack, clWhite, grey, grey, clWhite};
}
