/* nvxapi.h - the vendor driver-access operations the adapter library calls. */
#ifndef NVXAPI_H
#define NVXAPI_H

#include <stdint.h>

#if defined(_WIN32)
#define NVXAPI_CALL __cdecl
#else
#define NVXAPI_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Binds the first adapter whose hardware id matches one of the patterns (regular
   expressions). 0: bound; anything else: no adapter. */
int32_t NVXAPI_CALL nvxConnectByHardwareId(const char* const* patterns, uint32_t count,
                                           uint32_t reserved1, uint32_t reserved2);
/* 0: buffer filled; *returned receives the byte count written (or needed). */
int32_t NVXAPI_CALL nvxIssueQueryOid(uint32_t oid, void* buffer, uint32_t length, uint32_t* returned);
/* 0: accepted. buffer may be null with length 0. */
int32_t NVXAPI_CALL nvxIssueSetOid(uint32_t oid, const void* buffer, uint32_t length);
/* record: the 276-byte credentials record of the connection engine. */
int32_t NVXAPI_CALL nvxSet8021xCredentials(const void* record);
void NVXAPI_CALL nvxDisconnect(void);

#ifdef __cplusplus
}
#endif

#endif /* NVXAPI_H */
