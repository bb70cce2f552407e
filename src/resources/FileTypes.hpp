// Start-up registration of the file and archive classes of the resources module, and of the
// "zip::" and "zipe::" stream schemes.
#pragma once

namespace tarvex {

// Registers FileInformation, ZipArchive and ZipEngineStream, then the zip stream schemes; safe
// to call again.
void registerFileTypes();

} // namespace tarvex
