#pragma once

// Runs the program on the application object that main() created: controller, language, window
// loop. Returns the last event loop's status, or -1 when the configuration image is missing.
int runKelvoDesk();
