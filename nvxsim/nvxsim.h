/* nvxsim.h - test control of the simulated driver-access library (our nvxapi.dll).
   The adapter library never calls these; tests and tools do. */
#ifndef NVXSIM_H
#define NVXSIM_H

#include <stdint.h>

#include "adapter/nvx/nvxapi.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Journal entry kinds. */
#define NVXSIM_SET 1
#define NVXSIM_QUERY 2
#define NVXSIM_CREDENTIALS 3
#define NVXSIM_CONNECT 4
#define NVXSIM_DISCONNECT 5

/* Pseudo-OIDs for the calls that carry no OID (journal and failure injection). */
#define NVXSIM_CALL_CONNECT 0xFFFF0001u
#define NVXSIM_CALL_CREDENTIALS 0xFFFF0002u
#define NVXSIM_ANY_OID 0xFFFFFFFFu

typedef struct NVXSIM_CALL {
    uint32_t Kind;
    uint32_t Oid;
    uint32_t Length;   /* length the caller passed */
    int32_t Status;    /* what the call answered */
    uint32_t DataSize; /* bytes of data recorded (sets and credentials) */
} NVXSIM_CALL;

/* Back to the built-in environment: unbound, empty journal, no injected failures. */
void NVXAPI_CALL nvxsimReset(void);
/* Replace the environment. 0 on success; otherwise error receives "line N: ...". */
int32_t NVXAPI_CALL nvxsimLoadScenarioText(const char* text, char* error, uint32_t errorSize);
int32_t NVXAPI_CALL nvxsimLoadScenarioFile(const char* path, char* error, uint32_t errorSize);
/* The scenario named by NVXSIM_SCENARIO failed to load: its error, else empty. */
void NVXAPI_CALL nvxsimStartupError(char* error, uint32_t errorSize);

void NVXAPI_CALL nvxsimSetAdapterPresent(int32_t present);
/* The next `times` calls for `oid` (or NVXSIM_ANY_OID) answer `status`. */
void NVXAPI_CALL nvxsimFailNext(uint32_t oid, int32_t status, uint32_t times);
/* Force OID_GEN_MEDIA_CONNECT_STATUS to read `status`; negative: back to the real link state. */
void NVXAPI_CALL nvxsimForceMediaStatus(int32_t status);
/* Move the simulator's clock forward (association and scan delays). */
void NVXAPI_CALL nvxsimAdvanceClock(uint32_t ms);
int32_t NVXAPI_CALL nvxsimIsBound(void);

uint32_t NVXAPI_CALL nvxsimJournalCount(void);
/* 0 on success; copies at most dataSize bytes of the entry's data. */
int32_t NVXAPI_CALL nvxsimJournalEntry(uint32_t index, NVXSIM_CALL* call, uint8_t* data, uint32_t dataSize);
void NVXAPI_CALL nvxsimClearJournal(void);

#ifdef __cplusplus
}
#endif

#endif /* NVXSIM_H */
