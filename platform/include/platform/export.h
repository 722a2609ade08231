/* Symbol visibility for libplatform.so. */
#ifndef ORVANA_PLATFORM_EXPORT_H
#define ORVANA_PLATFORM_EXPORT_H

#define PLATFORM_API __attribute__((visibility("default")))

#endif
