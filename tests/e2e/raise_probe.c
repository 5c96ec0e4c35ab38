/* A popup that raises itself over everything again and again, as reminders
 * and notifications do, and looks at the screen a fifth of a second after
 * each raise. Prints how many times its own colour was still showing there:
 * 0 when something kept itself above it.
 * Usage: raise_probe X Y (where on the screen its 200x200 window goes). */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

enum { kSize = 200, kRaises = 10, kLookAfterMs = 200, kPauseMs = 100 };
static const unsigned long kMagenta = 0xff00ff;

static void sleep_ms(long ms) {
  struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
  nanosleep(&pause, NULL);
}

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(NULL);
  if (argc != 3 || display == NULL) {
    fprintf(stderr, "usage: raise_probe X Y, with a display\n");
    return 2;
  }
  const int x = atoi(argv[1]), y = atoi(argv[2]);
  const Window root = DefaultRootWindow(display);
  XSetWindowAttributes attributes;
  attributes.override_redirect = True;
  attributes.background_pixel = kMagenta;
  attributes.event_mask = StructureNotifyMask;
  const Window popup = XCreateWindow(display, root, x, y, kSize, kSize, 0, CopyFromParent,
                                     InputOutput, CopyFromParent,
                                     CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
  XMapWindow(display, popup);
  XEvent event;
  do XNextEvent(display, &event);
  while (event.type != MapNotify);

  int shown = 0;
  for (int i = 0; i < kRaises; ++i) {
    XRaiseWindow(display, popup);
    XSync(display, False);
    sleep_ms(kLookAfterMs);
    XImage* image = XGetImage(display, root, x + kSize / 2, y + kSize / 2, 1, 1, AllPlanes, ZPixmap);
    if (image != NULL) {
      if ((XGetPixel(image, 0, 0) & 0xffffff) == kMagenta) ++shown;
      XDestroyImage(image);
    }
    /* Raises 0.3 s apart meet a periodic check at different phases. */
    sleep_ms(kPauseMs);
  }
  printf("%d\n", shown);
  XCloseDisplay(display);
  return 0;
}
