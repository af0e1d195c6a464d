#include "gui/app/quilldar_app.h"

int main(int argc, char** argv) { return quilldar::gui::CQuilldarApp().run(argc, argv); }
