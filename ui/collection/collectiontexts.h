// What the collection's windows say: the store's state for the player, and a
// collected pattern's figures.
#pragma once

#include "records/collection.h"
#include "records/store/collectionstore.h"

#include <QString>

namespace ui {

// Empty when all is well; otherwise one or two short sentences about the
// store's status, with its paths and the reason behind it.
QString collectionMessage(const records::CollectionStore &store);

// "2026/12/01 21:03（1234 ゲーム目）", in local time.
QString sightingText(const records::Sighting &sighting);

} // namespace ui
