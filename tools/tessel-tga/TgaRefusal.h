#pragma once

#include <string>

#include "image/TgaHeader.h"
#include "image/TgaImage.h"

// One plain sentence for an author on why ReadTga refused a picture with
// `code`, given the record after the read and the file's header as far as
// the file holds one (`headerBytes` of the 18).
std::string ExplainRefusal(int code, const std::string& path, const TgaImage& image,
                           const TgaHeader& header, std::size_t headerBytes);
