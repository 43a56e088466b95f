// NonCopyable: the base of classes that own one resource (a module, a terminal, a key, a
// mapped file) and release it once, in their destructor; copying would release it twice.
#pragma once

class NonCopyable {
  public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;

  protected:
    NonCopyable() = default;
    ~NonCopyable() = default;
};
