/* Stands for a screen-saver host: maps a plain window of the given size and
 * position, prints its id, then keeps it until killed.
 * Usage: host_window WIDTH HEIGHT X Y */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 5) {
    fprintf(stderr, "usage: host_window WIDTH HEIGHT X Y\n");
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "host_window: cannot open display\n");
    return 2;
  }
  XSetWindowAttributes attributes;
  attributes.background_pixel = 0x208020; /* green: tells its own pixels from the saver's */
  attributes.override_redirect = True;
  attributes.event_mask = StructureNotifyMask;
  const Window window = XCreateWindow(
      display, DefaultRootWindow(display), atoi(argv[3]), atoi(argv[4]), (unsigned)atoi(argv[1]),
      (unsigned)atoi(argv[2]), 0, CopyFromParent, InputOutput, CopyFromParent,
      CWBackPixel | CWOverrideRedirect | CWEventMask, &attributes);
  XMapWindow(display, window);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && event.xmap.window == window) {
      printf("0x%lx\n", window);
      fflush(stdout);
    }
  }
}
