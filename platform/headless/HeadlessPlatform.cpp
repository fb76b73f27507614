// The headless platform: in memory, recording every call.
