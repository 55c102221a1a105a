#pragma once

#include "framework/Framework.h"

#include <memory>

// The header pictures, read from the bundle's Resources folder on first use
// and kept. While none has been read, each call tries again; null then.
std::shared_ptr<Picture> GoldBlackRedIcon64();
std::shared_ptr<Picture> IconHdr();
