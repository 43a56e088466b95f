// Comparison of property labels, which ignores case (ASCII letters).
#pragma once

bool equalsIgnoreCase(const char* a, const char* b);
