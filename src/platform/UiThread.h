#pragma once
#include <functional>

// Queues a function to the user-interface thread's event loop; callable from any thread.
// Without an application object there is no such loop and the function is dropped.
void PostToUiThread(std::function<void()> task);
