/* Ids of the consumer's dialog (consumer.rc) and of its buttons. */
#define IDD_CONSUMER 100
#define ID_CHECK 101
#define ID_FIRST 1000
