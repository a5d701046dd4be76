#pragma once

#include "core/cancel.h"
#include "spray/maker.h"
#include "wad/compile.h"

#include <QString>

#include <memory>

namespace velmira {

struct AppState;

// What the spray maker opens on: the picture file chosen in the spray list, or empty with a
// sentence saying why there is none to open (no picture chosen, a WAD file).
QString chosenPicture(const AppState& state, const QString& chosenFile, QString* why);

// Why a picture cannot be made into a spray, found without reading it whole where its format
// allows (a link to a device, a file cut short, a picture of more pixels than can be read);
// empty when it can.
QString makerPictureProblem(const QString& path);

// The picture, read whole and ready to frame; null with the reason in `error` when it cannot
// be read or the work was cancelled. Reads the file: never called on the window's thread.
std::shared_ptr<const spray::MakerSource> loadMakerSource(const QString& path, QString* error,
                                                          const CancelCheck& cancel = {});

// The name a spray made from a picture is saved under: the picture's name with " spray" added,
// as a bitmap.
QString madeSprayName(const QString& picturePath);

// Saves the made spray as an 8-bit bitmap into the folder, never over a file there. Returns the
// name it was given, or empty with the reason.
QString saveMadeSpray(const wad::MadeSpray& made, const QString& folder, const QString& picturePath,
                      QString* reason);

}  // namespace velmira
