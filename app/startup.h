// Start-up: the three handlers the toolkit runs, in this order, before its
// event loop, and the process entry.
#pragma once

void _font_init_();             // loads the font table
void _mouse_init_();            // loads the cursor table
void _create_win_newwin000();   // builds the main window and every widget in it

// Prepares the application object: handlers, encoding and instance name.
void _newproject();
int WinMain(int argc, char** argv, char** envp, void* reserved);
