#pragma once

#include "framework/Framework.h"

#include <memory>

// The header pictures, read from the bundle's Resources folder on first use
// and kept. While none has been read, each call tries again; null then.
std::shared_ptr<Picture> GoldBlackRedIcon64();
std::shared_ptr<Picture> IconHdr();

// Forgets both, so that the next call reads its file again (a new run's state).
void _ForgetHeaderPictures();
