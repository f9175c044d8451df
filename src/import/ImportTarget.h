#pragma once

#include "TColor.h"

#include <QString>

#include <functional>

// Where an import puts its colours: the favourites list, reached through
// three calls that the owner of the list provides. For a batch of n > 0
// accepted colours the import calls, in this order:
//   beginBatch()                       remember the favourites' scroll position
//   addColor(colour, name, first)      n times, in accepted order; `first` (the
//                                      selectOnlyNew argument) is true for the
//                                      first colour only; the name is empty
//                                      for the GIF, ACO and ACT sources and
//                                      for unnamed colours of the others
//                                      (default naming)
//   endBatch(n)                        select exactly the last n favourites,
//                                      restore the scroll position, repaint
// An import that accepts nothing makes no call at all.
struct ImportTarget {
    std::function<void()> beginBatch;
    std::function<void(TColor color, const QString& name, bool selectOnlyNew)> addColor;
    std::function<void(int count)> endBatch;
};
