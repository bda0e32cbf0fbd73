#pragma once
// Runs work on a thread of its own with a stack of the given size and waits
// for it. A Windows program's threads get 1 MiB unless it asks otherwise, and
// a Linux one 8 MiB, so a recursion bound must be checked on the smaller one
// in both builds.
#include <pthread.h>

#include <cstddef>
#include <functional>
#include <stdexcept>

constexpr size_t WindowsDefaultStack = size_t{1} << 20;

inline void RunOnStack(size_t size, const std::function<void()>& work) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, size);
  pthread_t thread;
  const auto start = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  const int failed = pthread_create(&thread, &attributes, start, const_cast<std::function<void()>*>(&work));
  pthread_attr_destroy(&attributes);
  if (failed) throw std::runtime_error("no thread for the work");
  pthread_join(thread, nullptr);
}
