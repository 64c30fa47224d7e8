export const open = (): void => {};
