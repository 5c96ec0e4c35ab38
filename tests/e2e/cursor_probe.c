/* Prints "hidden" when the X server's current cursor image is fully
 * transparent, "visible" otherwise. */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "cursor_probe: cannot open display\n");
    return 2;
  }
  XFixesCursorImage* cursor = XFixesGetCursorImage(display);
  if (cursor == NULL) {
    fprintf(stderr, "cursor_probe: no cursor image\n");
    return 2;
  }
  int opaque = 0;
  for (int i = 0; i < cursor->width * cursor->height; ++i) {
    if ((cursor->pixels[i] >> 24) & 0xff) opaque = 1;
  }
  puts(opaque ? "visible" : "hidden");
  XFree(cursor);
  XCloseDisplay(display);
  return 0;
}
