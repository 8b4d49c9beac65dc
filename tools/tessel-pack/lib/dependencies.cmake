# What the packing library reads and writes with: JSON and XML parsers, zlib
# for compressed Tiled layers, stb for pictures and fonts (header-only).
find_package(nlohmann_json REQUIRED)
find_package(pugixml REQUIRED)
find_package(ZLIB REQUIRED)
find_path(STB_INCLUDE_DIR stb_image.h PATH_SUFFIXES stb REQUIRED)
target_include_directories(tessel_pack SYSTEM PUBLIC ${STB_INCLUDE_DIR})
target_link_libraries(tessel_pack PUBLIC nlohmann_json::nlohmann_json pugixml::pugixml ZLIB::ZLIB CLI11::CLI11)
target_link_libraries(tessel_pack PUBLIC tessel_tool_shared)
