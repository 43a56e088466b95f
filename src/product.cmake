# The product: quorlan.dll on Windows, quorlan.so elsewhere, from the same sources.

# The property catalogue: pure data and text rules, no Win32.
add_library(quorlan_params STATIC
  params/decimal_number.cpp
  params/label_map.cpp
  params/property_catalogue.cpp
  params/text_compare.cpp
  params/value_text.cpp)
target_include_directories(quorlan_params PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

