#pragma once

// Shows the title, a description, the credit and a contact line in a pale-yellow box straight on
// the visible page, for six seconds or until a key arrives. The frame's next copy to the display
// covers it again. Leaves DISPLAY_PAGE selected for drawing and the text colours blue on yellow.
void showInfoScreen();
