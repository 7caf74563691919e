// Puzzle picture: chooses and loads the picture of a new puzzle, never failing to show one.
#pragma once

#include "pictures/picture.h"

#include <QString>

struct GameState;
class FolderScanner;
class RandomEngine;
class ZipPictureSource;

// With a random pick, a random file of the picture folder (as the scanner lists it) other
// than the current one, and in an archive a random picture; without, the current file at
// its remembered position.
// Whatever cannot be found, opened or decoded gives the built-in picture instead, and
// defaultPictureShown says which happened. The archive stays open in the zip source. The
// pixels are decoded as the fit asks.
void loadPuzzlePicture(GameState& state, Picture& picture, ZipPictureSource& zip,
                       FolderScanner& folder, RandomEngine& random, bool randomPick,
                       const PictureFit& fit = {});

// The current picture file, or the archive's picture at the remembered position, with no
// built-in picture in its place: false when it cannot be shown. Sets zipCount.
bool loadCurrentPicture(GameState& state, Picture& picture, ZipPictureSource& zip,
                        const PictureFit& fit = {});

// The picture path of a gift's picture, which lives in GameState::giftPicture alone.
inline const QString GiftPictureName = QStringLiteral("gift.bmp");
