#include "GifError.h"

QString GifErrorText(GifError error)
{
    switch (error) {
    case GifError::None:
        return {};
    case GifError::OpenFailed:
        return QStringLiteral("The file cannot be opened.");
    case GifError::DecodeFailed:
        return QStringLiteral("The file cannot be read as a GIF image.");
    case GifError::NoFrames:
        return QStringLiteral("The GIF image holds no frames.");
    case GifError::TooLarge:
        return QStringLiteral("The GIF image is too large.");
    case GifError::EmptyImage:
        return QStringLiteral("There is no image to write.");
    case GifError::TooManyColors:
        return QStringLiteral("A GIF image holds at most 256 colors.");
    case GifError::WriteFailed:
        return QStringLiteral("The GIF image cannot be written.");
    }
    return {};
}
